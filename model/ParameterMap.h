#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <string>

#include "model/ParameterId.h"
#include "model/ParameterIdSet.h"
#include "model/ParameterValueMap.h"

class GenericProtocol;
class Parameter;

// Finds parameters by id (not owning them) and moves values between the unit and the parameters
// in bulk, one request per refresh group. Walked in ascending id order.
class ParameterMap : public std::map<ParameterId, Parameter*> {
public:
    virtual ~ParameterMap() = default;

    // Groups 0 to 4: every ordinary category, then 'F', 'G', 'H' and 'I' (five requests).
    virtual void refreshAll(GenericProtocol& protocol);
    // One bulk read of every parameter on protocol that matches group. Every value of the answer
    // is applied even when one fails (a value outside its limits); the first such failure is
    // thrown afterwards. refreshAll does the same across groups. A ProtocolException ends either
    // at once.
    virtual void refresh(GenericProtocol& protocol, char group);
    // The ids a refresh of group on protocol asks for, sorted and free of repeats.
    ParameterIdSet idsOf(const GenericProtocol& protocol, char group) const;
    // The values of a bulk read, each to its parameter, as refresh applies them.
    void apply(const ParameterValueMap& values);
    // Writes the values of the persistent parameters as a configuration file, in id order.
    virtual void save(std::ostream& stream) const;
    // Writes values to the unit in up to ten passes, because the unit takes some values only once
    // others hold theirs; setup parameters only with includeSetup. Values refused after the last
    // pass are dropped. Any failure becomes "This is not a valid configuration file for this
    // device"; values applied before it stay.
    virtual void restore(const ParameterValueMap& values, bool includeSetup);
    // As restore; pass receives the number of each pass as it begins, counting from first.
    void restore(const ParameterValueMap& values, bool includeSetup,
                 const std::function<void(int)>& pass, int first);
    // file and line name the caller in the message when the id is missing.
    virtual Parameter& find(const ParameterId& id, const std::string& file, int line) const;
    virtual Parameter* findOrNull(const ParameterId& id) const;

private:
    // One pass; returns the values the unit did not take.
    ParameterValueMap restorePass(const ParameterValueMap& pending, bool includeSetup);
};
