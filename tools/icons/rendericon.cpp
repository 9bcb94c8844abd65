// SPDX-License-Identifier: GPL-3.0-or-later
// maaltafels-rendericon: draws the launcher icons at build time, with the QtSvg renderer that draws
// every picture of the program.
//
// Usage: maaltafels-rendericon SVG SIZE OUT.png
//            renders SVG into a transparent SIZE x SIZE PNG
//        maaltafels-rendericon --sheet OUT.png DESKTOP-FILE ICON-DIR SIZE...
//            looks up the desktop entry's Icon= in ICON-DIR/hicolor as a launcher does and puts the
//            icon of each size side by side, at its own pixel size, on a light and a dark panel
//            (docs/launcher-icon.png: the package unpacked, its desktop entry and usr/share/icons, 16 48 256)

#include <algorithm>
#include <cstdio>

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "maaltafels-rendericon: %s\n", qPrintable(message));
    return 1;
}

int usage() {
    std::fputs("usage: maaltafels-rendericon SVG SIZE OUT.png\n"
               "       maaltafels-rendericon --sheet OUT.png DESKTOP-FILE ICON-DIR SIZE...\n",
               stderr);
    return 2;
}

// A size from 1 to 1024 pixels, or 0.
int parseSize(const QString& text) {
    bool ok = false;
    const int size = text.toInt(&ok);
    return ok && size >= 1 && size <= 1024 ? size : 0;
}

int render(const QString& svg, int size, const QString& out) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return fail(svg + ": not a picture QtSvg can draw");
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!image.save(out, "PNG"))
        return fail(out + ": cannot write");
    return 0;
}

// The Icon= key of a desktop entry's main group.
QString iconName(const QString& desktopFile) {
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    static const QRegularExpression key(QStringLiteral("^Icon\\s*=\\s*(.*)$"));
    bool inMain = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('['))
            inMain = line == QLatin1String("[Desktop Entry]");
        else if (const auto m = key.match(line); inMain && m.hasMatch())
            return m.captured(1).trimmed();
    }
    return {};
}

int sheet(const QString& out, const QString& desktopFile, const QString& iconDir, const QList<int>& sizes) {
    const QString name = iconName(desktopFile);
    if (name.isEmpty())
        return fail(desktopFile + ": no Icon= key");
    QList<QImage> icons;
    for (const int size : sizes) {
        const QString path = QStringLiteral("%1/hicolor/%2x%2/apps/%3.png").arg(iconDir).arg(size).arg(name);
        QImage icon(path);
        if (icon.isNull())
            return fail(path + ": no such icon");
        if (icon.size() != QSize(size, size))
            return fail(path + QStringLiteral(": %1x%2 pixels").arg(icon.width()).arg(icon.height()));
        icons.append(icon);
    }

    constexpr int gap = 32;
    constexpr int label = 24;
    const int tallest = *std::max_element(sizes.begin(), sizes.end());
    int width = gap;
    for (const int size : sizes)
        width += std::max(size, 48) + gap;
    const int panel = gap + tallest + 8 + label;
    QImage image(width, 2 * panel, QImage::Format_RGB32);
    QPainter painter(&image);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    painter.setFont(font);
    const QColor backgrounds[] = {QColor(246, 245, 244), QColor(48, 48, 48)};
    const QColor inks[] = {QColor(40, 40, 40), QColor(230, 230, 230)};
    for (int row = 0; row < 2; ++row) {
        const int top = row * panel;
        painter.fillRect(0, top, width, panel, backgrounds[row]);
        painter.setPen(inks[row]);
        int x = gap;
        for (qsizetype i = 0; i < icons.size(); ++i) {
            const int cell = std::max(sizes[i], 48);
            // Bottom-aligned, as in a row of launcher entries; drawn 1:1, never scaled.
            painter.drawImage(x + (cell - sizes[i]) / 2, top + gap + tallest - sizes[i], icons[i]);
            painter.drawText(QRect(x - gap / 2, top + gap + tallest + 8, cell + gap, label), Qt::AlignCenter,
                             QStringLiteral("%1 px").arg(sizes[i]));
            x += cell + gap;
        }
    }
    painter.end();
    if (!image.save(out, "PNG"))
        return fail(out + ": cannot write");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));

    if (args.size() >= 5 && args[0] == QLatin1String("--sheet")) {
        QList<int> sizes;
        for (const QString& text : args.mid(4)) {
            const int size = parseSize(text);
            if (size == 0)
                return usage();
            sizes.append(size);
        }
        // The labels need fonts, hence an application; never a window, with or without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return sheet(args[1], args[2], args[3], sizes);
    }
    if (args.size() == 3) {
        // The icons hold no text: shapes draw without an application or a display.
        const int size = parseSize(args[1]);
        if (size == 0)
            return usage();
        return render(args[0], size, args[2]);
    }
    return usage();
}
