#include "pagefixture.h"
#include <QtTest>
class TestStub : public QObject
{
    Q_OBJECT
};
PAGE_TEST_MAIN(TestStub)
#include "tst_carousel.moc"
