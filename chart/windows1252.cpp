#include "chart/windows1252.h"
