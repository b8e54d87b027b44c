#include "catalogue/ChannelModeDependencies.h"

#include "catalogue/IdOf.h"
#include "catalogue/MatrixaRFLLock.h"
#include "catalogue/ReentryGuard.h"
#include "model/SharedParameter.h"

namespace {
const char* const label = "ChannelModeDependencies";
// Channel modes as "AC Mode" numbers them.
constexpr int twoZero = 2;
constexpr int firstBackSurround = 6;

bool hasCentre(int mode) {
    return mode == 3 || mode == 5 || mode == 7;
}
bool hasSurround(int mode) {
    return mode > 3;
}
} // namespace

ChannelModeDependencies::ChannelModeDependencies(ParameterMap& map)
    : ParameterDependencies(map), ambiform_(item(6)), lfe_(item(7)), ltRtCenter_(item(18)),
      ltRtSurround_(item(19)), loRoCenter_(item(20)), loRoSurround_(item(21)),
      rfl_(findAs<SharedParameter>({117, 37}, label, __LINE__)),
      backSurroundSpeakers_(find({117, 39}, label, __LINE__)), rearfill_(item(23)) {
    attach(find({19, 3}, label, __LINE__));
    for (const Item* driven : {&ambiform_, &lfe_, &ltRtCenter_, &ltRtSurround_, &loRoCenter_,
                               &loRoSurround_, &rearfill_})
        for (Parameter* parameter : {driven->value, driven->source})
            triggers_.push_back(std::make_unique<RuleTrigger>(*parameter, [this] { apply(); }));
}

ChannelModeDependencies::Item ChannelModeDependencies::item(int k) const {
    return {&find(idOf(19, k), label, __LINE__), &find(idOf(25, k), label, __LINE__)};
}

void ChannelModeDependencies::enable(const Item& item, bool allowed) const {
    item.value->setEnabled(allowed && item.source->getValue().toInt16() == 0, subject());
}

void ChannelModeDependencies::apply() {
    if (busy_)
        return;
    const ReentryGuard guard(busy_);
    const int mode = value();
    enable(ambiform_, mode == twoZero);
    enable(lfe_, mode > twoZero);
    enable(ltRtCenter_, hasCentre(mode));
    enable(ltRtSurround_, hasSurround(mode));
    enable(loRoCenter_, hasCentre(mode));
    enable(loRoSurround_, hasSurround(mode));
    MatrixaRFLLock::apply(rfl_, mode, backSurroundSpeakers_.getValue().toInt16());
    enable(rearfill_, mode >= firstBackSurround);
}
