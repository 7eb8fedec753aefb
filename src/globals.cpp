#include "globals.h"

unsigned int g_debugFeatures = 0;
quint8 g_hardwareTestActive = 0;
