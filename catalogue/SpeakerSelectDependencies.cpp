#include "catalogue/SpeakerSelectDependencies.h"

#include "catalogue/IdOf.h"
#include "catalogue/SelectedIndex.h"
#include "model/CompoundParameter.h"

namespace {
const char* const label = "SpeakerSelectDependencies";
enum Selection { multiChannel = 0, stereo = 1, mono = 2 };
constexpr int rearFill = 2;
constexpr int backLeft = 6;
constexpr int backRight = 7;
} // namespace

SpeakerSelectDependencies::SpeakerSelectDependencies(ParameterMap& map)
    : ParameterDependencies(map), bassManagement_(find({117, 29}, label, __LINE__)),
      analogIO_(find({216, 3}, label, __LINE__)),
      backSurroundSpeakers_(find({117, 39}, label, __LINE__)),
      monoTrim_(find({197, 14}, label, __LINE__)),
      stereoLeftTrim_(find({197, 12}, label, __LINE__)),
      stereoRightTrim_(find({197, 13}, label, __LINE__)), rfl_(find({117, 37}, label, __LINE__)),
      masterTrim_(findAs<CompoundParameter>({23, 1}, label, __LINE__)) {
    for (int trim = 4; trim <= 11; ++trim)
        channelTrims_.push_back(&find(idOf(197, trim), label, __LINE__));
    for (int meter : {10, 11, 12, 17, 14, 15, 16})
        meters_.push_back(&find(idOf(204, meter), label, __LINE__));
    attach(find({197, 15}, label, __LINE__));
}

void SpeakerSelectDependencies::apply() {
    // The master trim compound is re-targeted by the selection, so nonsense from the unit stops
    // here, before anything changes.
    const int selection = SelectedIndex::of(*subject());
    selectMasterTrim(selection);
    bassManagement_.setEnabled(selection == multiChannel, subject());
    enableMeters(selection);
    showTrims(selection);
}

void SpeakerSelectDependencies::selectMasterTrim(int selection) {
    auto& trim = findAs<ControlParameter>(idOf(197, selection), label, __LINE__);
    masterTrim_.setControl(trim);
    if (&masterTrim_.status() != &trim)
        masterTrim_.setStatus(trim);
}

void SpeakerSelectDependencies::enableMeters(int selection) {
    const bool all = selection == multiChannel;
    const bool enabled[] = {selection != mono,
                            selection != mono,
                            selection != stereo,
                            all,
                            all,
                            all,
                            all && rfl_.getValue().toInt16() == rearFill};
    for (std::size_t i = 0; i < meters_.size(); ++i)
        meters_[i]->setEnabled(enabled[i], subject());
}

void SpeakerSelectDependencies::showTrims(int selection) {
    const bool analog = analogIO_.getValue().toInt16() == 1;
    const int backSpeakers = backSurroundSpeakers_.getValue().toInt16();
    monoTrim_.setVisible(analog && selection == mono, subject());
    stereoLeftTrim_.setVisible(analog && selection == stereo, subject());
    stereoRightTrim_.setVisible(analog && selection == stereo, subject());
    const bool channels = analog && selection == multiChannel;
    for (int i = 0; i < backLeft; ++i)
        channelTrims_[static_cast<std::size_t>(i)]->setVisible(channels, subject());
    channelTrims_[backLeft]->setVisible(channels && backSpeakers != 0, subject());
    channelTrims_[backRight]->setVisible(channels && backSpeakers == 2, subject());
}
