#include "stats/ui/stat_page.h"
