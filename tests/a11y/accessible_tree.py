"""What the system tests share for reading the program over the accessibility bus."""


def walk(node):
    """Every accessible object below node, node first."""
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)
