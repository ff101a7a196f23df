// The contact record as the library sees it: values, addresses and type codes.
#pragma once

#include <qzpam/CContactInfo.h>
