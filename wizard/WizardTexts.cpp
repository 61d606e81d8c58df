#include "WizardTexts.h"

const char g_szNextLabel[] = "Next >>>";
const char g_szBackLabel[] = "<<< Back";
