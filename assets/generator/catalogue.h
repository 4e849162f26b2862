#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

// Every picture of the program with its file name and its size in window pixels.
struct Picture
{
    QString fileName;
    QSize size;
    std::function<QImage(int scale)> draw;
};

std::vector<Picture> allPictures();

// The file a picture is saved as at a scale: "name.png" at 1, "name@2x.png" at 2.
QString fileNameAt(const QString& fileName, int scale);
