// The builder steps of the programme configuration and the per-programme metadata.
#include <string>

#include "catalogue/MetadataItem.h"
#include "catalogue/ProgramConfigFormatter.h"
#include "catalogue/SourceFormatter.h"
#include "catalogue/StringFormatter.h"
#include "catalogue/Vx41Params.h"
#include "model/CompoundParameter.h"

namespace {
constexpr int programmes = 8;

ParameterId id(int number, int index) {
    return ParameterId(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index));
}
} // namespace

// The programme configuration (what the unit is told, what it uses, and where it takes it from),
// then each programme.
void Vx41Params::buildProgrammes() {
    addControl(id(141, 0), 0, 0, 21, 'z',
               std::make_unique<ProgramConfigFormatter>("Program Configuration"))
        .setPersistent(true);
    addParameter(id(179, 0), 10, 0, 21, 'A');
    addControl(id(121, 0), 0, 0, 2, 's', std::make_unique<SourceFormatter>()).setPersistent(true);
    for (int programme = 0; programme < programmes; ++programme)
        buildProgramme(programme);
}

// A programme's description (authored, its source, in use), its routing and the source of the
// routing, then its metadata items.
void Vx41Params::buildProgramme(int programme) {
    const std::string name = "Program " + std::to_string(programme + 1);
    const auto description = ParameterValue::fromText(name);
    const int descriptionIndex = 2 * programme + 8;
    addControl(id(141, descriptionIndex), description, ParameterValue::smallest(),
               ParameterValue::largest(), 'z', std::make_unique<StringFormatter>(name))
        .setPersistent(true);
    addControl(id(121, descriptionIndex), 0, 0, 2, 's');
    // Descriptions are long; they are read in two groups of their own.
    addParameter(id(179, descriptionIndex), description, ParameterValue::smallest(),
                 ParameterValue::largest(), programme < 4 ? 'H' : 'I');
    addControl(id(117, programme + 3), programme, 0, 7, 'A');
    addControl(id(117, programme + 11), 0, 0, 2, 'A', std::make_unique<SourceFormatter>());
    for (const auto& item : MetadataItem::all())
        buildMetadataItem(programme, item);
}

// The source selector, the value in use and the value the operator authors.
void Vx41Params::buildMetadataItem(int programme, const MetadataItem& item) {
    auto& selector = addControl(id(2 * programme + 123, item.index), 0, 0, 2, 'M',
                                std::make_unique<SourceFormatter>());
    selector.setPersistent(true);
    addParameter(id(programme + 180, item.index), item.initial, item.minimum, item.maximum, 'z',
                 item.formatter());
    auto& authored = addControl(id(2 * programme + 143, item.index), item.initial, item.minimum,
                                item.maximum, 'z', item.formatter());
    authored.setPersistent(true);
    authored.setWriteDelay(item.writeDelayMs);
    if (!item.sourceSelectable) {
        selector.setEnabled(false);
        authored.setPersistent(false);
        selector.setPersistent(false);
    }
}

// Which external source each metadata item is taking, kept by the metadata-source rules.
void Vx41Params::buildMetadataSourceStates() {
    for (int programme = 0; programme < programmes; ++programme)
        for (const auto& item : MetadataItem::all())
            if (item.index != 0)
                addControl(id(2 * programme + 218, item.index), 0, 0, 2, 'z');
}

// The views show programme 1 until the programme-selection rule moves these compounds.
void Vx41Params::buildMetadataCompounds() {
    for (const auto& item : MetadataItem::all()) {
        if (item.index == 0)
            continue;
        addCompound(id(19, item.index), id(180, item.index), id(143, item.index), 'm');
        addCompound(id(25, item.index), id(123, item.index), id(123, item.index), 'M');
    }
}
