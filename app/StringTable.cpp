#include "app/StringTable.h"

#include <map>
#include <string>
#include <vector>

#include "model/QuenlarException.h"

namespace {

using Texts = std::map<int, QString>;

void addRun(Texts& texts, int firstId, const std::vector<const char*>& run) {
    for (const char* text : run)
        texts.emplace(firstId++, QString::fromLatin1(text));
}

// prefix + n for n = from..to, one id each from firstId on ("COM1" .. "COM10").
void addNumbered(Texts& texts, int firstId, const char* prefix, int from, int to) {
    for (int n = from; n <= to; ++n)
        texts.emplace(firstId++, QString::fromLatin1(prefix) + QString::number(n));
}

// The functions a general-purpose input or output can have, from firstId on.
void addInputFunctions(Texts& texts, int firstId) {
    addRun(texts, firstId, {"Emulator Bypass", "Router Delay", "Lt/Rt Input"});
    addNumbered(texts, firstId + 3, "Preset ", 1, 32);
    addRun(texts, firstId + 35,
           {"Full", "Stereo", "Mono", "3 Stereo", "Phantom Center", "Matrixa", "Matrixa Mode",
            "RFL On/Off", "Custom", "Line", "RF"});
    addNumbered(texts, firstId + 46, "Program ", 1, 8);
    addRun(texts, firstId + 54,
           {"Multichannel Speakers", "Stereo Speakers", "Mono Speaker", "LeftSpeaker Mute",
            "Right Speaker Mute", "Center Speaker Mute", "Subwoofer Mute",
            "LeftSurround Speaker Mute", "Right Surround Speaker Mute",
            "Back Surround Speaker Mute", "Dim/Mute", "Master Volume Reference Level", "LEQA Pause",
            "LEQA Reset", "Set Dialog Level"});
}

void addOutputFunctions(Texts& texts, int firstId) {
    addRun(texts, firstId,
           {"Emulator Bypass", "LED Delay", "Lt/Rt Input", "Video Reference", "Metadata In 1",
            "Metadata In 2"});
    addNumbered(texts, firstId + 6, "Preset ", 1, 32);
    addRun(texts, firstId + 38,
           {"Full", "Stereo", "Mono", "3 Stereo", "Phantom Center", "Matrixa", "Matrixa Mode",
            "RFL On/Off", "Custom", "Line", "RF"});
    addNumbered(texts, firstId + 49, "Program ", 1, 8);
    addRun(texts, firstId + 57,
           {"Multichannel Speakers", "Stereo Speakers", "Mono Speaker", "Left Speaker Mute",
            "Right Speaker Mute", "Center Speaker Mute", "Subwoofer Mute",
            "Left Surround Speaker Mute", "Right Surround Speaker Mute",
            "Back Surround Speaker Mute", "Dim Mute"});
}

const char* const compressionProfiles[] = {"None",           "Film Standard", "Film Light",
                                           "Music Standard", "Music Light",   "Speech"};

Texts buildTexts() {
    Texts texts;
    addRun(texts, 20900, {"9600 baud", "19200 baud", "38400 baud", "115200 baud"});
    addNumbered(texts, 21000, "COM", 1, 10);
    addRun(texts, 21600,
           {"None", "Center/Surround/LFE->L/R", "Surround/LFE->L/R", "Center/LFE->L/R",
            "Center/Surround->L/R", "LFE->L/R", "Surround->L/R", "Center->L/R", "L/C/R/S->SW",
            "Center/Surround->SW", "Surround->SW", "Center->SW"});
    addInputFunctions(texts, 22500);
    addOutputFunctions(texts, 22800);
    for (int first : {22600, 22900})
        addRun(texts, first, {"Level", "Edge"});
    for (int first : {22700, 23000})
        addRun(texts, first, {"Negative/Low", "Positive/High"});
    addRun(texts, 23600,
           {"5.1+2",   "5.1+2x1", "4+4", "4+2x2", "4+2+2x1", "4+4x1", "4x2", "3x2+2x1",
            "2x2+4x1", "2+6x1",   "8x1", "5.1",   "4+2",     "4+2x1", "3x2", "2x2+2x1",
            "2+4x1",   "6x1",     "4",   "2+2",   "2+2x1",   "4x1"});
    for (int first : {24000, 24100})
        addRun(texts, first, {std::begin(compressionProfiles), std::end(compressionProfiles)});
    addRun(texts, 24200, {"All", "Authoring", "Emulator"});
    addRun(texts, 25800, {"Left", "Right", "Stereo", "Center", "All"});
    return texts;
}

} // namespace

std::optional<QString> StringTable::find(int id) {
    static const Texts texts = buildTexts();
    const auto found = texts.find(id);
    if (found == texts.end())
        return std::nullopt;
    return found->second;
}

QString StringTable::load(int id) {
    auto text = find(id);
    if (!text)
        throw QuenlarException("Unable to load the string with id: " + std::to_string(id));
    return *text;
}
