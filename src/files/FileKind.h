#pragma once

#include "core/Message.h"

#include <string>
#include <sys/types.h>

namespace quintora {

// What a path names when it is not a regular file, as the messages of the readers and of
// the saver say it: "e' una cartella, non un file", "e' una FIFO, non un file"...
Message notAFileText(mode_t mode);

} // namespace quintora
