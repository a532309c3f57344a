// The file names of the skinned buttons' up and down pictures in the program folder's Images
// folder.
#pragma once

#include <QString>

namespace ButtonPictures {

inline const QString kGpsUp = QStringLiteral("GPSButtonUp.bmp");
inline const QString kGpsDown = QStringLiteral("GPSButtonDown.bmp");
inline const QString kDirUp = QStringLiteral("DirButtonUp.bmp");
inline const QString kDirDown = QStringLiteral("DirButtonDown.bmp");
inline const QString kRefreshUp = QStringLiteral("RefreshButtonUp.bmp");
inline const QString kRefreshDown = QStringLiteral("RefreshButtonDown.bmp");
inline const QString kMinUp = QStringLiteral("MinButtonUp.bmp");
inline const QString kMinDown = QStringLiteral("MinButtonDown.bmp");
inline const QString kXUp = QStringLiteral("XButtonUp.bmp");
inline const QString kXDown = QStringLiteral("XButtonDown.bmp");
inline const QString kRotateUp = QStringLiteral("RotateButtonUp.bmp");
inline const QString kRotateDown = QStringLiteral("RotateButtonDown.bmp");

} // namespace ButtonPictures
