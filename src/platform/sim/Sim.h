// Everything a test needs to run the program on the sim backend.
#pragma once

#include "platform/sim/ProcessEnded.h"
#include "platform/sim/SimControl.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimForm.h"
#include "platform/sim/SimInstance.h"
