#include "tests/support/test_database.h"
