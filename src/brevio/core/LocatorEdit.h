#pragma once
#include <QLineEdit>

// The locator field of the distance toolbar: each change of its text posts
// nMsgLocator (0, 0) to its parent window.
class CLocatorEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CLocatorEdit(QWidget* parent = nullptr);
};
