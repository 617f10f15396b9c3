#include "dberror.h"
