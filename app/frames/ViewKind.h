#pragma once

// The three windows of the document, in the order they are opened.
enum class ViewKind { Main, Metadata, Monitor };
