#include "importfixture.h"
