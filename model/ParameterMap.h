#pragma once

#include <map>
#include <string>

#include "model/ParameterId.h"

class GenericProtocol;
class Parameter;

// Finds parameters by id (not owning them) and moves values between the unit and the parameters
// in bulk, one request per refresh group. Walked in ascending id order.
class ParameterMap : public std::map<ParameterId, Parameter*> {
public:
    virtual ~ParameterMap() = default;

    // Groups 0 to 4: every ordinary category, then 'F', 'G', 'H' and 'I' (five requests).
    virtual void refreshAll(GenericProtocol& protocol);
    // One bulk read of every parameter on protocol that matches group.
    virtual void refresh(GenericProtocol& protocol, char group);
    // file and line name the caller in the message when the id is missing.
    virtual Parameter& find(const ParameterId& id, const std::string& file, int line) const;
    virtual Parameter* findOrNull(const ParameterId& id) const;
};
