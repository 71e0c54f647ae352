#!/usr/bin/python3
"""Writes the picture fixtures of the render object tests with an independent encoder (Pillow)."""
from PIL import Image, ImageDraw

def solid(size, colour):
    return Image.new("RGB", size, colour)

# Two frames, 50 and 100 hundredths of a second: a red then a blue 20 x 10 picture.
frames = [solid((20, 10), (255, 0, 0)), solid((20, 10), (0, 0, 255))]
frames[0].save("two_frames.gif", save_all=True, append_images=frames[1:], duration=[500, 1000], loop=0)

# A single image without any graphic control extension.
solid((12, 8), (0, 128, 0)).convert("P").save("still.gif")

# A 100 x 50 bitmap, a PNG with a quarter of each colour, a JPEG and an icon.
solid((100, 50), (255, 255, 0)).save("wide.bmp")
quad = Image.new("RGB", (8, 8), (255, 0, 0))
draw = ImageDraw.Draw(quad)
draw.rectangle([4, 0, 7, 3], fill=(0, 255, 0))
draw.rectangle([0, 4, 3, 7], fill=(0, 0, 255))
draw.rectangle([4, 4, 7, 7], fill=(255, 255, 255))
quad.save("quad.png")
solid((30, 20), (200, 100, 50)).save("plain.jpg", quality=95)
solid((16, 16), (0, 0, 255)).save("blue.ico", sizes=[(16, 16)])

# Frame 2 changes only a 5 x 4 block at (8, 3), so it is stored as that block alone.
base = solid((20, 10), (255, 0, 0))
changed = base.copy()
ImageDraw.Draw(changed).rectangle([8, 3, 12, 6], fill=(0, 0, 255))
base.save("offset_frames.gif", save_all=True, append_images=[changed], duration=[100, 100], loop=0)

# Two frames whose left half is transparent (palette index 0).
def half_transparent(colour):
    frame = Image.new("P", (10, 10), 0)
    frame.putpalette([0, 0, 0] + list(colour) + [0, 0, 0] * 254)
    ImageDraw.Draw(frame).rectangle([5, 0, 9, 9], fill=1)
    return frame

first, second = half_transparent((255, 0, 0)), half_transparent((0, 0, 255))
first.save("transparent_frames.gif", save_all=True, append_images=[second], duration=[100, 100], loop=0,
           transparency=0, disposal=2)
