#include "enrollment/qrcodegenerator.h"
