#include "catalogue/ProgramSelectDependencies.h"

#include <exception>

#include "catalogue/IdOf.h"
#include "catalogue/MetadataItem.h"
#include "catalogue/SelectedIndex.h"
#include "link/ProtocolException.h"
#include "model/CompoundParameter.h"

namespace {
const char* const label = "ProgramSelectDependencies";
} // namespace

ProgramSelectDependencies::ProgramSelectDependencies(ParameterMap& map)
    : ParameterDependencies(map) {
    attach(find({117, 0}, label, __LINE__));
}

void ProgramSelectDependencies::apply() {
    // Out of range, the programme would index unrelated parameters (the preset compounds follow
    // the dialnorm ones in family 23): nothing is re-targeted then.
    selectProgramme(SelectedIndex::of(*subject()));
}

void ProgramSelectDependencies::selectProgramme(int p) {
    // A compound whose new status holds a value outside its own limits fails with
    // "Inconsistent State"; the others are still moved, so the views never show two programmes
    // at once, and the failure is reported afterwards. A broken link ends the work at once.
    std::exception_ptr failure;
    auto attempt = [&failure](auto&& retargeting) {
        try {
            retargeting();
        } catch (const ProtocolException&) {
            throw;
        } catch (const QuenlarException&) {
            if (!failure)
                failure = std::current_exception();
        }
    };
    attempt([&] { retarget({23, 21}, idOf(23, p + 22), __LINE__); });
    attempt([&] { retarget({23, 12}, idOf(23, p + 13), __LINE__); });
    for (const MetadataItem& item : MetadataItem::all()) {
        if (item.index == 0)
            continue;
        attempt([&] {
            retarget(idOf(19, item.index), idOf(p + 180, item.index), idOf(2 * p + 143, item.index),
                     __LINE__);
        });
        attempt([&] { retarget(idOf(25, item.index), idOf(2 * p + 123, item.index), __LINE__); });
    }
    attempt([&] { retarget({21, 1}, idOf(179, 2 * p + 8), idOf(141, 2 * p + 8), __LINE__); });
    attempt([&] { retarget({27, 0}, idOf(121, 2 * p + 8), __LINE__); });
    attempt([&] { retarget({29, 0}, idOf(117, p + 3), __LINE__); });
    attempt([&] { retarget({29, 1}, idOf(117, p + 11), __LINE__); });
    if (failure)
        std::rethrow_exception(failure);
}

void ProgramSelectDependencies::retarget(const ParameterId& compoundId, const ParameterId& status,
                                         const ParameterId& control, int line) {
    auto& compound = findAs<CompoundParameter>(compoundId, label, line);
    compound.setControl(findAs<ControlParameter>(control, label, line));
    Parameter& target = find(status, label, line);
    if (&compound.status() != &target)
        compound.setStatus(target);
}
