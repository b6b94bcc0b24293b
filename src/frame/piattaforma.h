#pragma once

class QApplication;

/**
 * Sets the application up for a real session: Qt's own dialogs in Italian when
 * the translations are installed, the real printer, the real message box.
 */
void installaPiattaforma(QApplication &app);
