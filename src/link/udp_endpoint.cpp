#include "link/udp_endpoint.h"
