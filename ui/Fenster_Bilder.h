#pragma once
// The small pictures of the action buttons, painted in code.

#include <QPixmap>

QPixmap Bild_Histo();          // 16 x 16: teal bars crossed by a yellow line
QPixmap Bild_OC();             // 16 x 16: blue line on grey
QPixmap Bild_Standardwerte();  // 28 x 28: red "Std" on white in a blue frame
QPixmap Bild_Clipboard();      // 24 x 24: a clipboard with a blue arrow into it
