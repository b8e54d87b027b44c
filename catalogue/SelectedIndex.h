#pragma once

class Parameter;

// A selector's value used as an index into a family of parameters. A value outside the
// selector's limits (a unit reporting nonsense) would index unrelated parameters, so it fails
// with "Inconsistent State" before anything is re-targeted.
class SelectedIndex {
public:
    static int of(const Parameter& selector);
};
