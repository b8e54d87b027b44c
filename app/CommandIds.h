#pragma once

// The identifiers of the program's commands. Each command's action carries its identifier in the
// dynamic property "commandId", so that tests and later windows find it.
namespace CommandId {
inline constexpr int Setup = 32772;
inline constexpr int Router = 32773;
inline constexpr int UserPresets = 32774;
inline constexpr int Connect = 32790;
inline constexpr int ViewMain = 32794;
inline constexpr int ViewMainAndMetadata = 32795;
inline constexpr int ViewAllWindows = 32796;
inline constexpr int SaveConfiguration = 32802;
inline constexpr int OpenConfiguration = 32803;
inline constexpr int ExportText = 32804;
inline constexpr int ExportHtml = 32805;
inline constexpr int RunTests = 32806;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int ArrangeIcons = 57649;
inline constexpr int About = 57664;
inline constexpr int Exit = 57665;
inline constexpr int HelpTopics = 57667;
inline constexpr int Toolbar = 59392;
} // namespace CommandId
