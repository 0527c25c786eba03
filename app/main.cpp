#include "app/heappolicy.h"
#include "app/station.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    HeapPolicy::returnLargeBlocks();
    QApplication app(argc, argv);
    return Station::run();
}
