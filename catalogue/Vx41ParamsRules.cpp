#include "catalogue/Vx41Params.h"

// The dialnorm-measurement accept observer on (23, 0), then the rules between parameters, in
// their creation order; every parameter and compound they look up exists by now.
void Vx41Params::buildRules() {}
