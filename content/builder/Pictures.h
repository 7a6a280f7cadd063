#pragma once
// The sample pictures: generated JPEG images with their caption painted on
// them, one for every picture file the program or the content rows name.

#include "ContentData.h"

#include <QMap>

// File name -> caption of every picture the program itself names.
QMap<QString, QString> ProgramPictures();

// Adds the pictures that the rows of the day and Synaxarium tables name.
void AddRowPictures(QMap<QString, QString>& pictures, const QList<TableRows>& tables);

// Writes every picture into `folder`; raises std::runtime_error when one
// cannot be written. Needs a QGuiApplication for the fonts.
void WritePictures(const QString& folder, const QMap<QString, QString>& pictures);
