#include "catalogue/StringMapFormatter.h"

#include "catalogue/FormatterText.h"

void StringMapFormatter::format(std::string& text, const ParameterValue& value) const {
    const auto entry = texts_.find(value.toInt16());
    text = entry == texts_.end() ? FormatterText::unknownSelection() : entry->second;
}

void StringMapFormatter::add(std::int16_t value, std::string text) {
    texts_.insert_or_assign(value, std::move(text));
}
