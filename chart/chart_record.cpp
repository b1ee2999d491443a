#include "chart/chart_record.h"
