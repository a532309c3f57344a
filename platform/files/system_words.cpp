#include "platform/files/system_words.h"

#include <cstring>

namespace files {

std::string systemWords(int errorNumber) {
    return std::strerror(errorNumber);
}

} // namespace files
