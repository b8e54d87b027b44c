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
    addRun(texts, 23600,
           {"5.1+2",   "5.1+2x1", "4+4", "4+2x2", "4+2+2x1", "4+4x1", "4x2", "3x2+2x1",
            "2x2+4x1", "2+6x1",   "8x1", "5.1",   "4+2",     "4+2x1", "3x2", "2x2+2x1",
            "2+4x1",   "6x1",     "4",   "2+2",   "2+2x1",   "4x1"});
    for (int first : {24000, 24100})
        addRun(texts, first, {std::begin(compressionProfiles), std::end(compressionProfiles)});
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
