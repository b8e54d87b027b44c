#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "link/DummyProtocol.h"
#include "link/Protocol.h"
#include "model/ConfirmedRead.h"
#include "model/ParameterMap.h"
#include "model/ReportSectionEntry.h"

class Observer;

// Owns every parameter and rule object of one unit; the façade through which the document, the
// catalogue and the user interface reach them.
class ParameterSet {
public:
    explicit ParameterSet(GenericProtocol& protocol);
    ParameterSet(const ParameterSet&) = delete;
    ParameterSet& operator=(const ParameterSet&) = delete;
    // Parameters in id order (their observers are told to forget them), then the rules.
    virtual ~ParameterSet();

    // Reads a whole configuration file, then restores it (setup parameters only with
    // includeSetup). Read failures keep their own messages.
    virtual void load(std::istream& stream, bool includeSetup);
    // Refreshes everything, then sets one parameter; returns its value afterwards.
    virtual ParameterValue setValue(const ParameterId& id, const ParameterValue& value);
    // Every parameter, persistent or not, in id order; a set with sections replaces these.
    virtual void writeHtmlReport(std::ostream& stream, const std::string& title);
    virtual void writeTextReport(std::ostream& stream, const std::string& title);
    // The entry's lines under title (no heading when title is empty); an auxiliary text is moved
    // out with tabs to the 56th column as a tab of 4 reaches it.
    virtual void writeTextSection(std::ostream& stream, const std::string& title,
                                  const ReportSectionEntry& entry) const;
    // The entry's rows; with an auxiliary parameter its cells close each row.
    virtual void writeHtmlSection(std::ostream& stream, const ReportSectionEntry& entry) const;

    Parameter& find(const ParameterId& id) const;
    Parameter* findOrNull(const ParameterId& id) const;
    // One device read of the parameter, then its value.
    ParameterValue getValue(const ParameterId& id);
    void refreshAll();
    void attach(const ParameterId& id, Observer& observer);
    // Sets the destination to the source's value as held, without reading the source.
    void copyValue(const ParameterId& destinationId, const ParameterId& sourceId);
    // Re-points every parameter on the current protocol; returns the previous one.
    GenericProtocol& setProtocol(GenericProtocol& protocol);
    // Refreshes everything, then writes the persistent values as a configuration file.
    void save(std::ostream& stream);
    // What save writes, read again until two reads agree once the line has shown damage
    // (damaged: the exchanges it has failed so far).
    std::string confirmedSave(const ConfirmedRead::DamageCount& damaged);
    // As confirmedSave, into a file that is replaced only when the whole save succeeded.
    void saveFile(const std::filesystem::path& path, const ConfirmedRead::DamageCount& damaged);

    // Takes ownership and registers the parameter under key (under its id when none is given).
    Parameter& add(std::unique_ptr<Parameter> parameter);
    Parameter& add(const ParameterId& key, std::unique_ptr<Parameter> parameter);
    // Rules are deleted after every parameter.
    Observer& addRule(std::unique_ptr<Observer> rule);

    GenericProtocol& protocol() const { return *protocol_; }
    const ParameterMap& parameters() const { return parameters_; }
    ParameterMap& parameters() { return parameters_; }

protected:
    // The link of client-side parameters: nothing written there reaches the unit.
    Protocol& localProtocol() { return localProtocol_; }

    // The pieces of an HTML report; title is escaped, captions are written as they are.
    static void writePageStart(std::ostream& stream, const std::string& title);
    static void writeSectionStart(std::ostream& stream, const std::string& caption,
                                  bool fourColumns);
    static void writeSectionEnd(std::ostream& stream);
    static void writePageEnd(std::ostream& stream);

private:
    using Listed = std::pair<ParameterId, const Parameter*>;

    // The persistent parameters an entry lists, under their keys, in id order.
    std::vector<Listed> selected(const ReportSectionEntry& entry) const;
    const Parameter& auxiliaryOf(const ParameterId& listed, const ReportSectionEntry& entry) const;

    GenericProtocol* protocol_;
    DummyProtocol localDevice_;
    Protocol localProtocol_;
    ParameterMap parameters_;
    std::vector<std::unique_ptr<Observer>> rules_;
    std::map<ParameterId, std::unique_ptr<Parameter>> owned_;
};
