// intentionally empty until the conversion code lands
