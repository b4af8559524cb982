// The I/O connector's body and pin tails on the board, behind the bracket.
#pragma once

#include "part.h"

#include <vector>

namespace cardphoto {

void addIoConnector(std::vector<Part>& parts);

}  // namespace cardphoto
