#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "model/ParameterFormatter.h"
#include "model/ParameterId.h"
#include "model/ParameterValue.h"
#include "model/ParameterValueMap.h"

class GenericProtocol;
class Interpolator;
class Observer;

// The last known value of one device parameter, its limits, its enabled and visible state and the
// observers that present it. Read-only mirror; ControlParameter adds writing.
class Parameter {
public:
    // Opaque references that a compound hands through to its parts.
    using AssociatedList = std::vector<const void*>;

    Parameter(GenericProtocol& protocol, ParameterId id, ParameterValue value,
              ParameterValue minimum, ParameterValue maximum, char category,
              std::unique_ptr<ParameterFormatter> formatter = nullptr);
    Parameter(const Parameter&) = delete;
    Parameter& operator=(const Parameter&) = delete;
    virtual ~Parameter();

    virtual void setValue(const ParameterValue& value);
    virtual const ParameterValue& getValue() const;
    // What the unit last reported: for a smoothed meter its newest reading, which the displayed
    // value (getValue) only approaches; for any other parameter its value.
    const ParameterValue& reading() const;
    // Installs formatter; the caller owns the one returned.
    virtual std::unique_ptr<ParameterFormatter>
    setFormatter(std::unique_ptr<ParameterFormatter> formatter);
    virtual void formatValue(std::string& text, const ParameterValue& value) const;
    virtual bool isEnabled() const;
    // cause: the parameter whose change led to the call, or null; it does not change the outcome.
    virtual void setEnabled(bool flag, const Parameter* cause = nullptr);
    virtual bool isVisible() const;
    virtual void setVisible(bool flag, const Parameter* cause = nullptr);
    // One device read of this parameter.
    virtual void refresh();
    virtual void enableValue(bool allowed, const ParameterValue& value);
    virtual bool isValidValue(const ParameterValue& value) const;
    virtual void setMaximum(const ParameterValue& value, const Parameter* cause = nullptr);
    virtual const ParameterValue& getMaximum() const;
    virtual void setMinimum(const ParameterValue& value, const Parameter* cause = nullptr);
    virtual const ParameterValue& getMinimum() const;
    virtual void setAssociatedList(const AssociatedList& list, const Parameter* cause = nullptr);
    virtual AssociatedList getAssociatedList() const;
    // Stores without any check and without telling anybody.
    virtual void assignValue(const ParameterValue& value);
    // Takes this parameter's entry of a bulk read, if there is one.
    virtual void update(const ParameterValueMap& values);
    // Whether a refresh of group on protocol reads this parameter: 'X' for all, a category letter,
    // 0 for every category but 'F' to 'I', 1 to 4 for 'F' to 'I'.
    virtual bool matches(const GenericProtocol& protocol, char group) const;
    virtual void setAlwaysNotify(bool flag);
    virtual const ParameterId& getId() const;
    virtual bool isPersistent() const;
    virtual bool isRestorable(bool includeSetup) const;
    // Report line "name: value" without a line end; nothing when the formatter cannot word it.
    virtual void writeText(std::ostream& stream) const;
    // Report row cells, opening and closing the row as asked, then a line feed; nothing when the
    // formatter cannot word it. The value text is escaped: it may come from the unit.
    virtual void writeHtml(std::ostream& stream, bool openRow, bool closeRow) const;

    void notify();
    void addObserver(Observer& observer);
    void removeObserver(Observer& observer);
    // Returns the previous interpolator.
    Interpolator* setInterpolator(Interpolator* interpolator);
    // One step of the displayed meter value.
    void interpolate();
    void replaceProtocol(const GenericProtocol& oldProtocol, GenericProtocol& newProtocol);

    char category() const { return category_; }
    GenericProtocol& protocol() const { return *protocol_; }
    const ParameterFormatter* formatter() const { return formatter_.get(); }
    bool alwaysNotify() const { return alwaysNotify_; }

protected:
    // Stores a value and tells the observers when it changed.
    void storeIfChanged(const ParameterValue& value);
    // The id given at construction, whatever getId reports.
    const ParameterId& ownId() const { return id_; }

private:
    // Name and value as the report shows them: the formatter's words, or without a formatter the
    // id and the signed number. false when the formatter fails.
    bool reportTexts(std::string& name, std::string& value) const;

    char category_;
    ParameterValue minimum_;
    ParameterValue maximum_;
    GenericProtocol* protocol_;
    ParameterId id_;
    ParameterValue value_;
    ParameterValue reading_;
    std::vector<Observer*> observers_;
    AssociatedList associatedList_;
    Interpolator* interpolator_ = nullptr;
    bool enabled_ = true;
    bool visible_ = true;
    bool alwaysNotify_ = false;
    std::unique_ptr<ParameterFormatter> formatter_;
    std::vector<ParameterValue> excludedValues_;
};
