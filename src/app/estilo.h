#pragma once

class QStyle;

// The program's style: Fusion, except that the menu bar's overflow button asks for its
// image only when it is first drawn, and the group-box frame's image is read as PNG
// outright. Otherwise Qt loads the icon theme's engine and every image-format plugin
// at start-up, a good part of it, to guess formats it could have been told.
QStyle *estiloPrograma();
