#include "platform/com/server_module.h"

namespace com {

void ServerModule::unlock() {
    long current = locks_.load();
    while (current > 0 && !locks_.compare_exchange_weak(current, current - 1)) {
    }
}

} // namespace com
