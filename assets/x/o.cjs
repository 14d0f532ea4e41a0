/* Tessaline skin: white buttons with a navy edge for the blue panel, and message
   boxes to match. A Qt style sheet; see docs/skin.md. */

QPushButton {
    background-color: #ffffff;
    color: #0f2a5c;
    border: 1px solid #0f2a5c;
    border-radius: 4px;
    padding: 2px 10px;
}

QPushButton:hover {
    background-color: #eaf1fb;
    border-color: #2f6fc2;
}

QPushButton:pressed {
    background-color: #cfdff5;
}

QPushButton:focus {
    border: 2px solid #2f6fc2;
}

QPushButton:disabled {
    color: #8a94a6;
    border-color: #b8c2d3;
}

QMessageBox {
    background-color: #ffffff;
}

QMessageBox QLabel {
    color: #0f2a5c;
}

QMessageBox QPushButton {
    min-width: 72px;
    min-height: 22px;
}

QLineEdit {
    background-color: #ffffff;
    color: #0f2a5c;
    border: 1px solid #0f2a5c;
}
