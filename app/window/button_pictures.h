// The file names of the skinned buttons' up and down pictures in the program folder's Images
// folder.
#pragma once

#include <QString>

namespace ButtonPictures {

inline const QString GpsUp = QStringLiteral("GPSButtonUp.bmp");
inline const QString GpsDown = QStringLiteral("GPSButtonDown.bmp");
inline const QString DirUp = QStringLiteral("DirButtonUp.bmp");
inline const QString DirDown = QStringLiteral("DirButtonDown.bmp");
inline const QString RefreshUp = QStringLiteral("RefreshButtonUp.bmp");
inline const QString RefreshDown = QStringLiteral("RefreshButtonDown.bmp");
inline const QString MinUp = QStringLiteral("MinButtonUp.bmp");
inline const QString MinDown = QStringLiteral("MinButtonDown.bmp");
inline const QString XUp = QStringLiteral("XButtonUp.bmp");
inline const QString XDown = QStringLiteral("XButtonDown.bmp");
inline const QString RotateUp = QStringLiteral("RotateButtonUp.bmp");
inline const QString RotateDown = QStringLiteral("RotateButtonDown.bmp");

} // namespace ButtonPictures
