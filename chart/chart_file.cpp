#include "chart/chart_file.h"
