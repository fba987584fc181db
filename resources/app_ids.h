// Resource identifiers shared by the programs: the icon.
#pragma once

#define IDI_PROGRAM 128

