#include "model/ParameterMap.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <ostream>

#include "link/GenericProtocol.h"
#include "link/ProtocolException.h"
#include "model/ConfigurationChecksum.h"
#include "model/ControlParameter.h"
#include "model/Parameter.h"
#include "model/QuenlarException.h"

namespace {
constexpr int restorePasses = 10;

char shifted(std::uint8_t byte) {
    return static_cast<char>(static_cast<std::uint8_t>(byte - 0x80));
}

void writeWord(std::ostream& stream, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8)
        stream.put(static_cast<char>((word >> shift) & 0xFF));
}

void writeEntry(std::ostream& stream, const ParameterId& id, const ParameterValue& value) {
    if (!stream.put(shifted(id.number)) || !stream.put(shifted(id.index)))
        throw QuenlarException("Error saving a parameter id");
    writeWord(stream, static_cast<std::uint32_t>(value.size()));
    if (!stream.write(value.bytes().data(), static_cast<std::streamsize>(value.size())))
        throw QuenlarException("Error saving a parameter value.");
}

// Restoring never waits after a write; the parameter's own delay comes back even when the write
// fails, so a failed restore does not leave the parameter without it.
void setWithoutDelay(Parameter& parameter, const ParameterValue& value) {
    auto* control = dynamic_cast<ControlParameter*>(&parameter);
    if (control == nullptr) {
        parameter.setValue(value);
        return;
    }
    const std::uint32_t saved = control->setWriteDelay(0);
    try {
        control->setValue(value);
    } catch (...) {
        control->setWriteDelay(saved);
        throw;
    }
    control->setWriteDelay(saved);
}

// Runs work and keeps its failure in failure unless one is kept already, so that a value outside
// its limits ("Inconsistent State") does not leave every value after it stale. A broken link ends
// everything at once.
void keepingFirstFailure(std::exception_ptr& failure, const std::function<void()>& work) {
    try {
        work();
    } catch (const ProtocolException&) {
        throw;
    } catch (const QuenlarException&) {
        if (!failure)
            failure = std::current_exception();
    }
}
} // namespace

void ParameterMap::refreshAll(GenericProtocol& protocol) {
    std::exception_ptr failure;
    for (char group = 0; group <= 4; ++group)
        keepingFirstFailure(failure, [&] { refresh(protocol, group); });
    if (failure)
        std::rethrow_exception(failure);
}

void ParameterMap::refresh(GenericProtocol& protocol, char group) {
    ParameterValueMap values;
    protocol.readMany(idsOf(protocol, group), values);
    apply(values);
}

ParameterIdSet ParameterMap::idsOf(const GenericProtocol& protocol, char group) const {
    // A parameter held under another id (a compound) is read under its status's id. Reading
    // everything reads the status anyway: asking for it again would ask twice, and only once
    // the compound's hold-off after a write was over, so two full reads would differ.
    const bool everything = group == 'X' || (group >= 0 && group <= 4);
    ParameterIdSet ids;
    for (const auto& [key, parameter] : *this)
        if ((!everything || parameter->getId() == key) && parameter->matches(protocol, group))
            ids.push_back(parameter->getId());
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

void ParameterMap::apply(const ParameterValueMap& values) {
    std::exception_ptr failure;
    for (const auto& entry : values)
        keepingFirstFailure(failure, [&] { find(entry.first, "unknown", 0).update(values); });
    if (failure)
        std::rethrow_exception(failure);
}

void ParameterMap::save(std::ostream& stream) const {
    const auto count = static_cast<std::uint32_t>(std::count_if(
        begin(), end(), [](const auto& entry) { return entry.second->isPersistent(); }));
    writeWord(stream, count);
    ConfigurationChecksum checksum(count);
    for (const auto& [id, parameter] : *this) {
        if (!parameter->isPersistent())
            continue;
        writeEntry(stream, id, parameter->getValue());
        checksum.addEntry(id, parameter->getValue());
    }
    writeWord(stream, checksum.value());
}

void ParameterMap::restore(const ParameterValueMap& values, bool includeSetup) {
    restore(values, includeSetup, {}, 1);
}

void ParameterMap::restore(const ParameterValueMap& values, bool includeSetup,
                           const std::function<void(int)>& pass, int first) {
    try {
        ParameterValueMap pending = values;
        for (int done = 0; done < restorePasses && !pending.empty(); ++done) {
            if (pass)
                pass(first + done);
            pending = restorePass(pending, includeSetup);
        }
    } catch (const QuenlarException&) {
        throw QuenlarException("This is not a valid configuration file for this device");
    }
}

ParameterValueMap ParameterMap::restorePass(const ParameterValueMap& pending, bool includeSetup) {
    ParameterValueMap refused;
    for (const auto& [id, value] : pending) {
        Parameter& parameter = find(id, "unknown", 0);
        if (!parameter.isRestorable(includeSetup))
            continue;
        setWithoutDelay(parameter, value);
        if (parameter.getValue() != value)
            refused.emplace(id, value);
    }
    return refused;
}

Parameter& ParameterMap::find(const ParameterId& id, const std::string& file, int line) const {
    if (Parameter* parameter = findOrNull(id))
        return *parameter;
    throw QuenlarException("Couldn't find parameter " + id.toString() + " (" + file + ":" +
                           std::to_string(line) + ")\n");
}

Parameter* ParameterMap::findOrNull(const ParameterId& id) const {
    const auto entry = std::map<ParameterId, Parameter*>::find(id);
    return entry == end() ? nullptr : entry->second;
}
