#include "Transfer.h"

// The meta-object code of Transfer is generated from its header; nothing else lives here.
