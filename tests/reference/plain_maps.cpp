#include "tests/reference/plain_maps.h"

bool CheckLineMap[PlyCount][BoardSize + 1][BoardSize + 1];
uint8_t CheckCandidateMap[PlyCount][BoardSize + 1][GridRows + 1];
uint8_t ControlMap[PlyCount][SideSlots][BoardSize + 1][BoardSize + 1];
