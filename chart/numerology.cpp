#include "chart/numerology.h"
