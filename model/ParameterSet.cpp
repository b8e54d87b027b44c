#include "model/ParameterSet.h"

#include <ostream>
#include <sstream>

#include "model/AtomicFile.h"
#include "model/ConfigurationReader.h"
#include "model/HtmlText.h"
#include "model/Observer.h"
#include "model/Parameter.h"
#include "model/QuenlarException.h"

namespace {
// The column, counted in tabs of four, at which an auxiliary text starts.
constexpr std::size_t auxiliaryColumn = 56;

std::string textOf(const Parameter& parameter) {
    std::ostringstream text;
    parameter.writeText(text);
    return text.str();
}
} // namespace

ParameterSet::ParameterSet(GenericProtocol& protocol)
    : protocol_(&protocol), localProtocol_(localDevice_) {}

ParameterSet::~ParameterSet() {
    parameters_.clear();
    for (auto& entry : owned_)
        entry.second.reset();
    rules_.clear();
}

void ParameterSet::load(std::istream& stream, bool includeSetup) {
    ParameterValueMap values;
    ConfigurationReader(stream).read(values);
    parameters_.restore(values, includeSetup);
}

ParameterValue ParameterSet::setValue(const ParameterId& id, const ParameterValue& value) {
    refreshAll();
    Parameter& parameter = find(id);
    parameter.setValue(value);
    return parameter.getValue();
}

void ParameterSet::writeHtmlReport(std::ostream& stream, const std::string& title) {
    writePageStart(stream, title);
    for (const auto& entry : parameters_) {
        if (!stream)
            throw QuenlarException("Error formatting a parameter as html.");
        entry.second->writeHtml(stream, true, true);
    }
    writePageEnd(stream);
}

void ParameterSet::writeTextReport(std::ostream& stream, const std::string& title) {
    stream << title << "\n\n";
    for (const auto& entry : parameters_) {
        if (!stream)
            throw QuenlarException("Error formatting a parameter as text.");
        const std::string text = textOf(*entry.second);
        if (!text.empty())
            stream << text << '\n';
    }
}

void ParameterSet::writeTextSection(std::ostream& stream, const std::string& title,
                                    const ReportSectionEntry& entry) const {
    if (!title.empty())
        stream << '\n' << title << '\n';
    for (const auto& [id, parameter] : selected(entry)) {
        const std::string main = textOf(*parameter);
        std::size_t length = main.size();
        if (length > 0)
            stream << '\t' << main;
        if (entry.auxNumber != 0) {
            const std::string aux = textOf(auxiliaryOf(id, entry));
            if (!aux.empty()) {
                for (; length < auxiliaryColumn; length += 4)
                    stream << '\t';
                stream << aux;
            }
        }
        stream << '\n';
    }
}

void ParameterSet::writeHtmlSection(std::ostream& stream, const ReportSectionEntry& entry) const {
    for (const auto& [id, parameter] : selected(entry)) {
        if (entry.auxNumber == 0) {
            parameter->writeHtml(stream, true, true);
        } else {
            parameter->writeHtml(stream, true, false);
            auxiliaryOf(id, entry).writeHtml(stream, false, true);
        }
    }
}

Parameter& ParameterSet::find(const ParameterId& id) const {
    return parameters_.find(id, "unknown", 0);
}

Parameter* ParameterSet::findOrNull(const ParameterId& id) const {
    return parameters_.findOrNull(id);
}

ParameterValue ParameterSet::getValue(const ParameterId& id) {
    Parameter& parameter = find(id);
    parameter.refresh();
    return parameter.getValue();
}

void ParameterSet::refreshAll() {
    parameters_.refreshAll(*protocol_);
}

void ParameterSet::attach(const ParameterId& id, Observer& observer) {
    observer.attach(find(id));
}

void ParameterSet::copyValue(const ParameterId& destinationId, const ParameterId& sourceId) {
    find(destinationId).setValue(find(sourceId).getValue());
}

GenericProtocol& ParameterSet::setProtocol(GenericProtocol& protocol) {
    GenericProtocol& previous = *protocol_;
    protocol_ = &protocol;
    for (auto& entry : parameters_)
        entry.second->replaceProtocol(previous, protocol);
    return previous;
}

void ParameterSet::save(std::ostream& stream) {
    refreshAll();
    parameters_.save(stream);
}

std::string ParameterSet::confirmedSave(const ConfirmedRead::DamageCount& damaged) {
    const auto read = [this] {
        std::ostringstream contents;
        save(contents);
        return contents.str();
    };
    return ConfirmedRead::bytes(read, damaged);
}

void ParameterSet::saveFile(const std::filesystem::path& path,
                            const ConfirmedRead::DamageCount& damaged) {
    AtomicFile::writeBytes(path, confirmedSave(damaged));
}

Parameter& ParameterSet::add(std::unique_ptr<Parameter> parameter) {
    const ParameterId key = parameter->getId();
    return add(key, std::move(parameter));
}

Parameter& ParameterSet::add(const ParameterId& key, std::unique_ptr<Parameter> parameter) {
    if (parameters_.contains(key))
        throw QuenlarException("Parameter " + key.toString() + " is defined twice");
    Parameter& added = *parameter;
    parameters_.emplace(key, &added);
    owned_.emplace(key, std::move(parameter));
    return added;
}

Observer& ParameterSet::addRule(std::unique_ptr<Observer> rule) {
    rules_.push_back(std::move(rule));
    return *rules_.back();
}

void ParameterSet::writePageStart(std::ostream& stream, const std::string& title) {
    const std::string text = HtmlText::escaped(title);
    stream << "<HTML><HEAD><TITLE>" << text << "</TITLE> </HEAD> <BODY> \n"
           << "<H1>" << text << "</H1>\n";
}

void ParameterSet::writeSectionStart(std::ostream& stream, const std::string& caption,
                                     bool fourColumns) {
    stream << "<BR><CAPTION><FONT SIZE=+1>" << caption << " </FONT></CAPTION>\n"
           << (fourColumns ? "<TABLE BORDER COLS=4>\n" : "<TABLE BORDER COLS=2>\n");
}

void ParameterSet::writeSectionEnd(std::ostream& stream) {
    stream << "</TABLE>\n";
}

void ParameterSet::writePageEnd(std::ostream& stream) {
    stream << "</BODY></HTML>\n";
}

std::vector<ParameterSet::Listed> ParameterSet::selected(const ReportSectionEntry& entry) const {
    std::vector<Listed> listed;
    if (entry.indexLow > entry.indexHigh)
        return listed;
    const auto first = parameters_.lower_bound(ParameterId(entry.number, entry.indexLow));
    const auto last = parameters_.upper_bound(ParameterId(entry.number, entry.indexHigh));
    for (auto it = first; it != last; ++it)
        if (it->second->isPersistent())
            listed.emplace_back(it->first, it->second);
    return listed;
}

const Parameter& ParameterSet::auxiliaryOf(const ParameterId& listed,
                                           const ReportSectionEntry& entry) const {
    const std::uint8_t index = entry.auxIndex != 0 ? entry.auxIndex : listed.index;
    return find(ParameterId(entry.auxNumber, index));
}
