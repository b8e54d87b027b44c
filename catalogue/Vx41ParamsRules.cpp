#include "catalogue/Vx41Params.h"

#include "catalogue/AnalogIOEnableDependencies.h"
#include "catalogue/BkSrndSpeakerSelectDependencies.h"
#include "catalogue/ChannelModeDependencies.h"
#include "catalogue/DialNormMeasureAcceptObserver.h"
#include "catalogue/DialnormMeasureConstraints.h"
#include "catalogue/DialnormMeterDependencies.h"
#include "catalogue/EnableSourceDependencies.h"
#include "catalogue/GPIFunctionDependencies.h"
#include "catalogue/IdOf.h"
#include "catalogue/LtRtInputDependencies.h"
#include "catalogue/MatrixaConstraints.h"
#include "catalogue/MatrixaDependencies.h"
#include "catalogue/MatrixaRFLConstraints.h"
#include "catalogue/MetadataItem.h"
#include "catalogue/MetadataSourceDependencies.h"
#include "catalogue/PresetLabelConstraints.h"
#include "catalogue/PresetNumberDependencies.h"
#include "catalogue/ProgramConfigDependencies.h"
#include "catalogue/ProgramConfigSourceDependencies.h"
#include "catalogue/ProgramSelectDependencies.h"
#include "catalogue/RearfillDependencies.h"
#include "catalogue/RecallUserPresetDependencies.h"
#include "catalogue/RouterRecallPresetDependencies.h"
#include "catalogue/SavePresetDependencies.h"
#include "catalogue/SpeakerSelectDependencies.h"
#include "catalogue/SpeakerTrimDependencies.h"
#include "catalogue/TestNoiseDependencies.h"
#include "catalogue/UserPresetNumberDependencies.h"

namespace {
constexpr int programmes = 8;
constexpr int gpiLines = 14;
constexpr int userPresets = 32;
} // namespace

// The dialnorm-measurement accept observer on (23, 0), then the rules between parameters, in
// their creation order; every parameter and compound they look up exists by now. Each rule
// applies itself once as it is attached.
void Vx41Params::buildRules() {
    ParameterMap& map = parameters();
    addRule(std::make_unique<DialNormMeasureAcceptObserver>(map));

    for (int p = 0; p < programmes; ++p)
        for (const MetadataItem& item : MetadataItem::all())
            if (item.index != 0)
                addRule(std::make_unique<MetadataSourceDependencies>(
                    map, idOf(2 * p + 123, item.index), idOf(p + 180, item.index),
                    idOf(2 * p + 218, item.index)));
    for (int p = 0; p < programmes; ++p)
        addRule(std::make_unique<MetadataSourceDependencies>(map, idOf(121, 2 * p + 8),
                                                             idOf(179, 2 * p + 8), std::nullopt));
    addRule(std::make_unique<AnalogIOEnableDependencies>(map));
    addRule(std::make_unique<MatrixaConstraints>(map, ParameterId(117, 58)));
    addRule(std::make_unique<MatrixaConstraints>(map, ParameterId(117, 37)));
    addRule(std::make_unique<MatrixaDependencies>(map));
    addRule(std::make_unique<SavePresetDependencies>(map, ParameterId(115, 7), ParameterId(115, 10),
                                                     ParameterId(115, 8)));
    addRule(std::make_unique<SavePresetDependencies>(map, ParameterId(115, 3), ParameterId(115, 0),
                                                     ParameterId(115, 4)));
    addRule(std::make_unique<EnableSourceDependencies>(map));
    addRule(std::make_unique<ProgramConfigSourceDependencies>(map));
    addRule(std::make_unique<UserPresetNumberDependencies>(map));
    addRule(std::make_unique<PresetNumberDependencies>(map, ParameterId(115, 8),
                                                       ParameterId(23, 31), 212, 0));
    for (const ParameterId subject :
         {ParameterId(23, 12), ParameterId(204, 18), ParameterId(117, 21), ParameterId(19, 8),
          ParameterId(25, 8), ParameterId(23, 21)})
        addRule(std::make_unique<DialnormMeasureConstraints>(map, subject));
    addRule(std::make_unique<DialnormMeterDependencies>(map));
    addRule(std::make_unique<SpeakerSelectDependencies>(map));
    addRule(std::make_unique<BkSrndSpeakerSelectDependencies>(map));
    addRule(std::make_unique<ChannelModeDependencies>(map));
    for (int trim = 4; trim <= 14; ++trim)
        addRule(std::make_unique<SpeakerTrimDependencies>(map, trim));
    addRule(std::make_unique<LtRtInputDependencies>(map));
    addRule(std::make_unique<RearfillDependencies>(map));
    addRule(std::make_unique<TestNoiseDependencies>(map));
    addRule(std::make_unique<MatrixaRFLConstraints>(map));
    addRule(std::make_unique<ProgramConfigDependencies>(map));
    addRule(std::make_unique<ProgramSelectDependencies>(map));
    addRule(std::make_unique<RouterRecallPresetDependencies>(map));
    addRule(std::make_unique<RecallUserPresetDependencies>(map));
    for (int line = 0; line < gpiLines; ++line)
        addRule(std::make_unique<GPIFunctionDependencies>(map, line));
    for (int slot = 0; slot < userPresets; ++slot) {
        addRule(std::make_unique<PresetLabelConstraints>(map, idOf(210, slot + userPresets), slot));
        addRule(std::make_unique<PresetLabelConstraints>(map, idOf(210, slot), slot));
    }
}
