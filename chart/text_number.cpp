#include "chart/text_number.h"
