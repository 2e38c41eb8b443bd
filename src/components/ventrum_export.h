#pragma once
// Symbol visibility of the Ventrum library: exported while it is built, imported by its users.

#include <QtCore/qglobal.h>

#if defined(VENTRUM_LIBRARY)
#define VENTRUM_EXPORT Q_DECL_EXPORT
#else
#define VENTRUM_EXPORT Q_DECL_IMPORT
#endif
