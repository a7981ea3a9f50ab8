/* Resource numbers of tallies.exe, shared by the resource script and the program. */
#pragma once

#define IDI_TALLIES 1

/* The artwork as PNG, drawn for the design size (1x) and for twice that (2x). */
#define IDR_BANNER_1X 101
#define IDR_BANNER_2X 102
#define IDR_GEAR_PUMP_1X 103
#define IDR_GEAR_PUMP_2X 104
#define IDR_CYLINDER_ANGLE_1X 105
#define IDR_CYLINDER_ANGLE_2X 106
