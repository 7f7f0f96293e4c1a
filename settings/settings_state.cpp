#include "settings/settings_state.h"

#include "settings/country_defaults.h"

// Until start-up has loaded or chosen them: the standard model, the first
// country, and that country's defaults.
uint8_t ModelVariant = 0;
uint8_t CountryIndex = 0;
SettingsBlock currentBlock = CountryDefaultTable[0];
WindowState windowState;
