#pragma once
// Everything an end-to-end test includes.

#include <gtest/gtest.h>

#include "harness/locale.h"
#include "harness/polling.h"
#include "harness/records.h"
#include "harness/session.h"
#include "harness/text.h"
#include "harness/types.h"
