#include "link/DummyVx41Protocol.h"

#include <cstdio>
#include <string>

namespace {
constexpr int programmes = 8;

ParameterValue programmeName(int p) {
    char text[32];
    std::snprintf(text, sizeof text, "Program %d", p + 1);
    return ParameterValue::fromText(text);
}

ParameterValue numbered(const char* prefix, int n) {
    return ParameterValue::fromText(prefix + std::to_string(n));
}

ParameterValue metadataDefault(int item) {
    return item == 3 ? ParameterValue(7) : item == 8 ? ParameterValue(27) : ParameterValue(0);
}
} // namespace

DummyVx41Protocol::DummyVx41Protocol(std::uint8_t flag) : flag_(flag) {
    enterInitialValues();
}

void DummyVx41Protocol::set(int number, int index, const ParameterValue& value) {
    storage()[ParameterId(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index))] =
        value;
}

ParameterValue DummyVx41Protocol::get(int number, int index) {
    return read(ParameterId(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index)));
}

void DummyVx41Protocol::enterInitialValues() {
    for (int i = 0; i <= 3; ++i)
        set(113, i, 0);
    set(113, 4, 800);
    for (int p = 0; p < programmes; ++p) {
        set(117, 3 + p, p);
        set(117, 11 + p, 0);
    }
    set(117, 26, 3);
    set(117, 28, 5);
    for (int i : {32, 65, 35, 38, 58})
        set(117, i, 1);
    set(117, 50, 7);
    for (int i : {57, 61, 62})
        set(117, i, 3);
    for (int i : {0, 21, 22, 24, 27, 29, 30, 31, 33, 36, 37, 53, 54, 55, 56, 59, 60, 63})
        set(117, i, 0);
    for (int i = 39; i <= 49; ++i)
        set(117, i, 0);
    set(141, 0, 0);
    set(179, 0, 0);
    set(121, 0, 0);
    set(159, 0, 2);
    set(169, 0, 17);
    for (int p = 0; p < programmes; ++p) {
        for (int number : {141, 179, 159, 169})
            set(number, 8 + 2 * p, programmeName(p));
        set(121, 8 + 2 * p, 0);
        for (int k : {2, 3, 4, 5, 8}) {
            set(123 + 2 * p, k, 0);
            for (int number : {143 + 2 * p, 160 + p, 170 + p, 180 + p})
                set(number, k, metadataDefault(k));
        }
    }
    for (int i = 0; i < 8; ++i)
        set(195, 2 + i, i);
    set(195, 11, 0);
    set(197, 0, 60);
    set(197, 3, 11);
    for (int i = 4; i <= 14; ++i)
        set(197, i, 160);
    set(197, 15, 0);
    set(197, 16, 0);
    set(197, 17, 192);
    set(199, 0, 0);
    set(199, 1, 0);
    set(199, 16, 8);
    set(201, 29, 1);
    for (int i = 0; i <= 22; ++i)
        set(204, i, i == 18 ? 15 : 0);
    set(207, 0, 0);
    set(207, 6, 0);
    set(207, 9, 1);
    for (int i : {0, 7, 14, 21, 28})
        set(208, i, 0);
    for (int i = 0; i < 32; ++i)
        set(210, i, numbered("PRESET ", i + 1));
    set(210, 64, 32);
    for (int i = 0; i < 4; ++i)
        set(212, i, numbered("RPRESET ", i + 1));
    const int unitSettings[] = {0, 0, 0, 1, 0, 192, 0};
    for (int i = 0; i < 7; ++i)
        set(216, i, unitSettings[i]);
    for (int k = 13; k <= 20; ++k)
        set(23, k, k);
    set(248, 1, 100);
    set(251, 0, 0);
}

void DummyVx41Protocol::write(const ParameterId& id, const ParameterValue& value,
                              std::uint32_t delayMs) {
    DummyProtocol::write(id, value, delayMs);
    const ParameterId r = id.next();
    const int number = r.number;
    const int k = r.index;

    if (r == ParameterId(121, 0))
        switchEverySource(value);
    if (r == ParameterId(201, 30)) {
        set(201, 15, 0);
        set(201, 0, 0);
    }

    const bool metadataValue = number >= 143 && number <= 157 && (number - 143) % 2 == 0;
    if (metadataValue)
        set(180 + (number - 143) / 2, k, value);
    if (number == 141)
        set(179, k, value);

    const bool metadataSelector = number >= 123 && number <= 137 && (number - 123) % 2 == 0;
    if (metadataSelector) {
        const int p = (number - 123) / 2;
        followSource(r, 143 + 2 * p, 160 + p, 170 + p, 180 + p);
    }
    if (number == 121)
        followSource(r, 141, 159, 169, 179);

    if (r == ParameterId(117, 50)) {
        const int w = get(117, 50).toInt16();
        for (int i = 40; i <= 46; ++i)
            set(117, i, (w == 7 || i == 40 + w) ? 0 : 1);
    }
}

void DummyVx41Protocol::followSource(const ParameterId& selector, int internal, int external1,
                                     int external2, int inUse) {
    const int k = selector.index;
    const int source = read(selector).toInt16();
    const int from = source == 0   ? internal
                     : source == 1 ? external1
                     : source == 2 ? external2
                                   : -1;
    set(inUse, k, from < 0 ? ParameterValue(0) : get(from, k));
}

void DummyVx41Protocol::switchEverySource(const ParameterValue& source) {
    const ParameterValue s(source.toInt16());
    for (int p = 0; p < programmes; ++p) {
        for (int k = 0; k <= 52; ++k)
            write(ParameterId(static_cast<std::uint8_t>(122 + 2 * p), static_cast<std::uint8_t>(k)),
                  s, 0);
        write(ParameterId(120, static_cast<std::uint8_t>(8 + 2 * p)), s, 0);
    }
}
