#include "ui/widgets/IconFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QTest>

namespace {

QImage square(int side, QRgb colour) {
    QImage picture(side, side, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

} // namespace

class IconFileTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureReadsBackAtItsSize_data() {
        QTest::addColumn<QList<int>>("sides");
        QTest::newRow("one small") << QList<int>{16};
        QTest::newRow("the shortcut's sizes") << QList<int>{16, 24, 32, 48, 64, 128, 256};
        QTest::newRow("the largest alone, its side written as 0") << QList<int>{256};
    }

    void everyPictureReadsBackAtItsSize() {
        QFETCH(QList<int>, sides);
        QList<QImage> pictures;
        for (int i = 0; i < sides.size(); ++i)
            pictures.append(square(sides[i], qRgba(10 * i, 200, 30, 255)));
        QByteArray bytes = ui::ico_file(pictures);
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "ico");
        QCOMPARE(reader.imageCount(), sides.size());
        for (int i = 0; i < sides.size(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage read = reader.read();
            QCOMPARE(read.size(), QSize(sides[i], sides[i]));
            QCOMPARE(read.pixel(sides[i] / 2, sides[i] / 2), pictures[i].pixel(0, 0));
        }
    }

    void aPictureTheFormatCannotHoldGivesNoFile_data() {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("wider than 256") << square(257, qRgb(0, 0, 0));
        QTest::newRow("empty") << QImage();
    }

    void aPictureTheFormatCannotHoldGivesNoFile() {
        QFETCH(QImage, picture);
        QVERIFY(ui::ico_file({square(16, qRgb(1, 2, 3)), picture}).isEmpty());
    }
};

QTEST_MAIN(IconFileTest)
#include "IconFileTest.moc"
