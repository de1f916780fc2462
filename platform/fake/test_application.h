#pragma once
// The one Application of a test process, started by the test main.
#include "platform/application.h"

namespace tarnvel::platform {
Application& TestApplication();
}
