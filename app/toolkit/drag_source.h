// The control a drag carries: the name of its control array and its index in it.
#pragma once

#include <QString>

namespace toolkit {

struct DragSource {
    QString arrayName;
    int index = 0;
};

} // namespace toolkit
