#include "model/Parameter.h"

#include <algorithm>
#include <ostream>
#include <sstream>

#include "link/GenericProtocol.h"
#include "link/Interpolator.h"
#include "model/HtmlText.h"
#include "model/Observer.h"
#include "model/QuenlarException.h"

Parameter::Parameter(GenericProtocol& protocol, ParameterId id, ParameterValue value,
                     ParameterValue minimum, ParameterValue maximum, char category,
                     std::unique_ptr<ParameterFormatter> formatter)
    : category_(category), minimum_(std::move(minimum)), maximum_(std::move(maximum)),
      protocol_(&protocol), id_(id), value_(std::move(value)), reading_(value_),
      formatter_(std::move(formatter)) {}

Parameter::~Parameter() {
    for (Observer* observer : observers_)
        observer->forgetSubject(*this);
}

void Parameter::setValue(const ParameterValue&) {}

const ParameterValue& Parameter::getValue() const {
    return value_;
}

const ParameterValue& Parameter::reading() const {
    return interpolator_ != nullptr ? reading_ : value_;
}

std::unique_ptr<ParameterFormatter>
Parameter::setFormatter(std::unique_ptr<ParameterFormatter> formatter) {
    std::swap(formatter_, formatter);
    return formatter;
}

void Parameter::formatValue(std::string& text, const ParameterValue& value) const {
    if (formatter_)
        formatter_->format(text, value);
    else
        text = value.bytes();
}

bool Parameter::isEnabled() const {
    return enabled_;
}

void Parameter::setEnabled(bool flag, const Parameter*) {
    if (flag == enabled_)
        return;
    enabled_ = flag;
    notify();
}

bool Parameter::isVisible() const {
    return visible_;
}

void Parameter::setVisible(bool flag, const Parameter*) {
    if (flag == visible_)
        return;
    visible_ = flag;
    notify();
}

void Parameter::refresh() {
    storeIfChanged(protocol_->read(id_));
}

void Parameter::enableValue(bool allowed, const ParameterValue& value) {
    const bool valid = isValidValue(value);
    if (allowed && !valid) {
        std::erase(excludedValues_, value);
        notify();
    } else if (!allowed && valid) {
        excludedValues_.push_back(value);
        notify();
    }
}

bool Parameter::isValidValue(const ParameterValue& value) const {
    if (!enabled_)
        return false;
    const auto number = value.toInt16();
    const bool excluded = std::any_of(excludedValues_.begin(), excludedValues_.end(),
                                      [number](const auto& v) { return v.toInt16() == number; });
    return !excluded && minimum_.toInt16() <= number && number <= maximum_.toInt16();
}

void Parameter::setMaximum(const ParameterValue& value, const Parameter*) {
    if (value.toInt16() < value_.toInt16())
        throw QuenlarException("Inconsistent State");
    if (value == maximum_)
        return;
    maximum_ = value;
    notify();
}

const ParameterValue& Parameter::getMaximum() const {
    return maximum_;
}

void Parameter::setMinimum(const ParameterValue& value, const Parameter*) {
    if (value_.toInt16() < value.toInt16())
        throw QuenlarException("Inconsistent State");
    if (value == minimum_)
        return;
    minimum_ = value;
    notify();
}

const ParameterValue& Parameter::getMinimum() const {
    return minimum_;
}

void Parameter::setAssociatedList(const AssociatedList& list, const Parameter*) {
    if (list == associatedList_)
        return;
    associatedList_ = list;
    notify();
}

Parameter::AssociatedList Parameter::getAssociatedList() const {
    return associatedList_;
}

void Parameter::assignValue(const ParameterValue& value) {
    value_ = value;
}

void Parameter::update(const ParameterValueMap& values) {
    const auto entry = values.find(id_);
    if (entry == values.end())
        return;
    reading_ = entry->second;
    if (entry->second == value_ && !alwaysNotify_)
        return;
    value_ = entry->second;
    if (interpolator_ != nullptr)
        interpolator_->setTarget(static_cast<std::uint16_t>(value_.toInt16()));
    notify();
}

bool Parameter::matches(const GenericProtocol& protocol, char group) const {
    if (&protocol != protocol_ || id_.number >= 0xF0)
        return false;
    if (group == 'X' || group == category_)
        return true;
    const bool paged = category_ >= 'F' && category_ <= 'I';
    if (group == 0)
        return !paged;
    if (group >= 1 && group <= 4)
        return category_ == 'F' + (group - 1);
    return false;
}

void Parameter::setAlwaysNotify(bool flag) {
    alwaysNotify_ = flag;
}

const ParameterId& Parameter::getId() const {
    return id_;
}

bool Parameter::isPersistent() const {
    return false;
}

bool Parameter::isRestorable(bool) const {
    return false;
}

void Parameter::writeText(std::ostream& stream) const {
    std::string name;
    std::string value;
    if (reportTexts(name, value))
        stream << name << ": " << value;
}

void Parameter::writeHtml(std::ostream& stream, bool openRow, bool closeRow) const {
    std::string name;
    std::string value;
    if (!reportTexts(name, value))
        return;
    if (openRow)
        stream << "<TR>";
    stream << "<TD>" << name << "</TD><TD>" << HtmlText::escaped(value) << "</TD>";
    if (closeRow)
        stream << "</TR>";
    stream << '\n';
}

void Parameter::notify() {
    // By index: an observer attached while the others are told is told too, and the walk never
    // touches a slot that has gone. No copy, since meters notify on every poll.
    for (std::size_t i = 0; i < observers_.size(); ++i)
        observers_[i]->update(*this);
}

void Parameter::addObserver(Observer& observer) {
    observers_.push_back(&observer);
    observer.update(*this);
}

void Parameter::removeObserver(Observer& observer) {
    std::erase(observers_, &observer);
}

Interpolator* Parameter::setInterpolator(Interpolator* interpolator) {
    std::swap(interpolator_, interpolator);
    return interpolator;
}

void Parameter::interpolate() {
    if (interpolator_ == nullptr || !enabled_)
        return;
    const auto shown = interpolator_->nextValue(static_cast<std::uint16_t>(minimum_.toUInt32()),
                                                static_cast<std::uint16_t>(maximum_.toUInt32()));
    if (static_cast<std::int16_t>(shown) == value_.toInt16())
        return;
    value_ = ParameterValue(shown);
    notify();
}

void Parameter::replaceProtocol(const GenericProtocol& oldProtocol, GenericProtocol& newProtocol) {
    if (protocol_ == &oldProtocol)
        protocol_ = &newProtocol;
}

void Parameter::storeIfChanged(const ParameterValue& value) {
    reading_ = value;
    if (value == value_)
        return;
    value_ = value;
    notify();
}

bool Parameter::reportTexts(std::string& name, std::string& value) const {
    if (!formatter_) {
        name = getId().toString();
        value = std::to_string(value_.toInt16());
        return true;
    }
    std::ostringstream nameText;
    std::ostringstream valueText;
    if (!formatter_->writeName(nameText) || !formatter_->writeValue(valueText, value_))
        return false;
    name = nameText.str();
    value = valueText.str();
    return true;
}
