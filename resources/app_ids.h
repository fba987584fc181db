// Resource identifiers shared by the programs: icon, version.
#pragma once

#define IDI_PROGRAM 128

#define TICORA_VERSION_MAJOR 1
#define TICORA_VERSION_MINOR 21
#define TICORA_VERSION_BUILD 3152
#define TICORA_VERSION_TEXT "1.21.3152"
